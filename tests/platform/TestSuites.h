#pragma once

// Each suite runs its QtTest object and returns the number of failures.
int runDialogTests(int argc, char** argv);
int runServicesTests(int argc, char** argv);
int runProfileFileTests(int argc, char** argv);
int runIpv4AddressEditTests(int argc, char** argv);
