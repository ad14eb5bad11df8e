#pragma once
// Table-driven checks: one {got, want} pair per row, the row's index in the
// failure message.

#include <gtest/gtest.h>

#include <initializer_list>

namespace test {

template<class T>
struct Row {
    T got;
    T want;
};

template<class T>
void expect_rows(std::initializer_list<Row<T>> rows)
{
    int index = 0;
    for (Row<T> const& row : rows) {
        EXPECT_EQ(row.got, row.want) << "row " << index++;
    }
}

}  // namespace test
