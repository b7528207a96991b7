// ambrel: the desktop tool.

#include <memory>

#include "app/application.h"
#include "ui/backend/qt/qt_backend.h"

int main() { return ambrel::run_application(std::make_unique<ambrel::QtBackend>()); }
