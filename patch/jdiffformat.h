#pragma once

#include <QtGlobal>

// The byte values of the JojoDiff patch stream: an escape, then an opcode.
namespace jdiff {

constexpr uchar Esc = 0xA7;
constexpr uchar Mod = 0xA6;
constexpr uchar Ins = 0xA5;
constexpr uchar Del = 0xA4;
constexpr uchar Eql = 0xA3;
constexpr uchar Bkt = 0xA2;

} // namespace jdiff
