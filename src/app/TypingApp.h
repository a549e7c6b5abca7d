#pragma once

// The program: runs the lesson chooser as its one main window and ends when
// the chooser closes.
class CTypingApp {
public:
    int Run();
};
