#pragma once

// What Korvane tells korvane-xtest-guard about the input it holds through
// XTest: two bytes a message, what happened and the X keycode or button
// number it happened to. Shared by both sides; plain C++.

namespace korvane::core::xtestguard {

constexpr char KeyDown = 'K';
constexpr char KeyUp = 'k';
constexpr char ButtonDown = 'B';
constexpr char ButtonUp = 'b';
// Korvane has let go of everything itself and is ending in order.
constexpr char Goodbye = 'Q';

constexpr int MessageSize = 2;

} // namespace korvane::core::xtestguard
