// The name of the user running the program.
#pragma once

#include <QString>

// The login name; never empty (the user's number stands in where no name is known).
QString UserName();
