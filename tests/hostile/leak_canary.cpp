// Loses a block on purpose. Its test passes only when the leak checker reports it, so a
// sanitizer run that silently stopped checking for leaks shows up as a failure.
#include <cstdlib>

void* volatile kept = nullptr;

int main() {
  kept = std::malloc(4096);
  kept = nullptr;
  return 0;
}
