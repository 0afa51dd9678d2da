// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/field_table.h"

#include <QAnyStringView>
#include <cctype>
#include <string>

namespace korvex::test {

// A table case's name for ctest, from its number and the fields that set it
// apart; INSTANTIATE_TEST_SUITE_P's last argument is, for instance,
// [](auto i) { return test::caseName(i.index, i.param.field, i.param.text); }
template <typename... Fields> std::string caseName(std::size_t index, const Fields&... fields) {
    std::string name = std::to_string(index);
    const auto add = [&name](const auto& field) {
        using T = std::decay_t<decltype(field)>;
        if constexpr (std::is_same_v<T, FieldId>)
            name += std::string("_") + fieldInfo(field).key;
        else if constexpr (std::is_arithmetic_v<T>)
            name += "_" + std::to_string(field);
        else
            name += "_" + QAnyStringView(field).toString().toStdString();
    };
    (add(fields), ...);
    for (char& c : name)
        c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

} // namespace korvex::test
