#pragma once

#include <QChar>
#include <Qt>
#include <optional>

// How a key press reaches digit entry: a modifier pressed alone is no entry at all; a digit of
// the main row or the keypad is that digit; the space bar a space; every other key is an entry
// without a character, which matches no expected digit.
namespace KeyInput {

struct Entry {
    bool isEntry = false;
    std::optional<QChar> character;
};

Entry fromKey(int key);

} // namespace KeyInput
