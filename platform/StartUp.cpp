#include "platform/StartUp.h"

#include <fcntl.h>
#include <unistd.h>

namespace platform {

bool startUp() { return fcntl(STDOUT_FILENO, F_GETFD) != -1; }

}  // namespace platform
