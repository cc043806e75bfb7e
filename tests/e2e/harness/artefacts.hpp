// Where a failing check leaves what it saw: one folder per test under the
// build tree.
#pragma once

#include <filesystem>
#include <string_view>

// The folder of the running test, created on first use.
std::filesystem::path artefact_folder();

// Writes text to a file in the running test's folder; its path.
std::filesystem::path save_artefact(std::string_view file_name, std::string_view text);
