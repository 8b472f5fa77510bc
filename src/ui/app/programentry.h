#pragma once

namespace pelinor::ui {

/// The program's entry: ends at once (exit code 0, no window) when another copy runs for this user;
/// otherwise sets up the application, the folders and the main window and runs until the main window
/// has closed.
int runProgram(int argc, char** argv);

} // namespace pelinor::ui
