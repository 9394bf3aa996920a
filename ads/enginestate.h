// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ads/rules.h"

#include <QString>

// The engine chosen in the main form: written only when an engine is chosen, read by the
// counters and the preview. Zero limits and a null template until the first choice.
struct EngineState
{
    int limitTitle = 0;
    int limitText = 0;
    int limitURL = 0;
    int textLineBreak = 0;
    QString templateText; // the engine's "template" ("template" is a C++ keyword)
    Rules rules = Rules::Plain;
};

extern EngineState currentEngine;

// The page shown for an engine that has no template of its own.
extern const QString defaultTemplate;
