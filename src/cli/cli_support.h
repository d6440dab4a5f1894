// Helpers shared by the commands of jadvalon-cli: reading a stored image with a one-line error,
// option parsing and JSON text.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/image.h"
#include "storage/stored_image.h"

namespace jadvalon::cli {

// Reads either stored form; on failure prints "jadvalon-cli: FILE: reason" to stderr.
std::unique_ptr<TLoyiha> loadImageOrReport(const std::filesystem::path& path);

// Writes the image in the form the name asks for: plain for ".nol", else the project-file form.
bool writeImageOrReport(const TLoyiha& image, const std::filesystem::path& path);

// The English reason for a failed read, for the command line.
std::string describe(ReadError error, const std::string& detail);

// Text as a JSON string literal.
std::string jsonString(const std::string& text);

// Prints a one-line error and returns the usage exit status 2.
int usageError(const std::string& message);

// Takes "--name value" out of args; nullopt when absent; sets `missing` when the value is.
std::optional<std::string> takeOption(std::vector<std::string>& args, const std::string& name,
                                      bool& missing);
// Takes a "--name" flag out of args.
bool takeFlag(std::vector<std::string>& args, const std::string& name);

}  // namespace jadvalon::cli
