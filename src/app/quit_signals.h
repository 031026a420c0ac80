#pragma once

// SIGTERM, SIGINT and SIGHUP (the session ending, a service manager, Ctrl+C in a terminal) quit the
// application the way its Quit command does, so running work is stopped and waited for.
void quitOnTerminationSignals();
