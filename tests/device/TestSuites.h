#pragma once

int runRequestsTests(int argc, char** argv);
int runMailboxFileTests(int argc, char** argv);
int runFaultsTests(int argc, char** argv);
int runCommandLineTests(int argc, char** argv);
