// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every rule set, one line each, in the order of the Rules enumeration: its enumerator and the
// identifier a profile stores. ads/rules/<identifier>.cpp defines <identifier>Rules().
#define VELLUMO_RULE_SETS(X)                                                                       \
    X(Plain, plain)                                                                                \
    X(Google, google)                                                                              \
    X(Microsoft, microsoft)                                                                        \
    X(Yandex, yandex)                                                                              \
    X(Baidu, baidu)
