#pragma once

// A folder of the test's own: tests run in parallel processes, so every test writes its files
// where no other test does.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace dravek::pruebas {

// A fresh, empty folder under the temporary folder, named after the prefix and the running
// test (a parameterised test's '/' made safe).
inline std::filesystem::path CarpetaPrueba(const std::string &prefijo)
{
    std::string nombre = prefijo;
    if (const auto *info = ::testing::UnitTest::GetInstance()->current_test_info()) {
        nombre += std::string("_") + info->test_suite_name() + "_" + info->name();
    }
    for (char &c : nombre) {
        if (c == '/') {
            c = '_';
        }
    }
    const std::filesystem::path carpeta = std::filesystem::temp_directory_path() / nombre;
    std::filesystem::remove_all(carpeta);
    std::filesystem::create_directories(carpeta);
    return carpeta;
}

inline std::string LeeFicheroPrueba(const std::filesystem::path &ruta)
{
    std::ifstream f(ruta, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

} // namespace dravek::pruebas
