#include "dialog/layout/size_request.h"

namespace ambrel::layout {

Size apply_unwanted_axes(Size natural, Size wish) {
  return {wish.width == -1 ? 0 : natural.width, wish.height == -1 ? 0 : natural.height};
}

}  // namespace ambrel::layout
