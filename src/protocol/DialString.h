#pragma once

// Conversion between telephone/pager text and the device's one-byte dial codes.
// Both work in place on at most 100 bytes and leave the buffer untouched on failure; a longer
// length fails (returns 1) without touching the buffer. A length of 0 or less succeeds and
// touches nothing.

// Codes -> text. Needs room for length + 1 bytes: a zero byte follows the text, and
// code 55 ends the text early. Returns 0 on success, 1 on an invalid code.
int DecodeDialString(unsigned char* buffer, int length);

// Text -> codes, no terminator added. Returns 0 on success, 1 on an invalid character.
int EncodeDialString(unsigned char* buffer, int length);
