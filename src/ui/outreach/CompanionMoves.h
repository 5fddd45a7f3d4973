// SPDX-License-Identifier: MIT
#pragma once

// The one move the companion screen asks of the program's flow.
class CompanionMoves
{
public:
    // Closes every window and ends the run.
    virtual void EndApplication() = 0;

protected:
    ~CompanionMoves() = default;
};
