// The task text preparation written step by step, each step a plain
// left-to-right replacement over a new string, exactly in the documented
// order. Slow on purpose: the product is checked against it.
#pragma once

#include <string>
#include <string_view>

namespace quor::test {

std::u16string ReferencePrepareTaskText(std::u16string_view text);

}  // namespace quor::test
