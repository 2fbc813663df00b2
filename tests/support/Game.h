#pragma once

#include "TestFolder.h"

// The game installed in the folder, as its installer leaves it: the folder
// "tidemark\mdb" for the exchange, and the game's key naming the folder.
void InstallGame(const TestFolder& game);
