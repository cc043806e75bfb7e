#include "e2e/harness/artefacts.hpp"

#include <gtest/gtest.h>

#include <fstream>

std::filesystem::path artefact_folder() {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = test ? std::string(test->test_suite_name()) + "." + test->name() : "none";
    for (char& c : name)
        if (c == '/') c = '_';
    std::filesystem::path folder = std::filesystem::path(E2E_ARTEFACT_DIR) / name;
    std::filesystem::create_directories(folder);
    return folder;
}

std::filesystem::path save_artefact(std::string_view file_name, std::string_view text) {
    std::filesystem::path path = artefact_folder() / file_name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}
