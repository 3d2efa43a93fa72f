// Whole-file reads and writes for the end-to-end tests, which compare the
// files the installer wrote byte for byte.
#ifndef LQ_TESTS_E2E_DRIVER_FILE_BYTES_H
#define LQ_TESTS_E2E_DRIVER_FILE_BYTES_H

#include <string>

// The whole file at path; "" when it cannot be read.
std::string ReadAll(const std::string& path);

// Creates or empties the file at path and writes data to it.
void WriteAll(const std::string& path, const std::string& data);

#endif
