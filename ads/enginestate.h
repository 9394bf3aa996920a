// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engines/enginefile.h"

#include <QString>

// The engine chosen in the main form: written only when an engine is chosen, read by the
// counters and the preview. Zero limits and a null template until the first choice; its
// template is the default one when the engine has none of its own.
extern EngineProfile currentEngine;

// The page shown for an engine that has no template of its own.
extern const QString defaultTemplate;
