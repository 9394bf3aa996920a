// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

enum class CounterColour { Green, Orange, Red };

// Green below the limit, orange at it, red above.
CounterColour counterColour(int length, int limit);

// The translated hint under the text counter: how many characters remain until the preview
// breaks the line, or "(Newline disabled)" when the preview makes no breaks (widths of 5 or
// less).
QString lineBreakHint(int length, int width);
