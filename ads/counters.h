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

// The translated counter label of the title and URL fields: "<length> of <limit> chars".
QString counterMessage(int length, int limit);

// The translated counter label of the text field, with the line-break hint under it.
QString textCounterMessage(int length, int limit, const QString &hint);
