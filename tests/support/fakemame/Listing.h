// The sets that fakemame knows: those of a listing file, or the generated ones.
#pragma once

#include "FakeGame.h"

#include <QString>

#include <functional>

using GameVisitor = std::function<void(const FakeGame&)>;

// Reads a listing file's sets (name, parent, ROM set used, description, ROM and sample files),
// BIOS resources included, devices left out, in either layout; false when the file cannot be read.
bool forEachListedGame(const QString& path, const GameVisitor& visit);
