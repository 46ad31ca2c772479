#pragma once

class QString;

// Character checks of the notification targets. Each passes an empty text and fails at the
// first character it does not allow.

// Digits, '*', '#' and the dial letters P, A, B, C, D, Q in either case.
bool IsValidPhoneNumber(const QString& number);
// The telephone characters plus X, x and '$'.
bool IsValidPagerNumber(const QString& number);
// Digits, with one '+' allowed as the first character only.
bool IsValidSmsNumber(const QString& number);
