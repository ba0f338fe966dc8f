#pragma once

#include <functional>
#include <string>

namespace assets {

// Arithmetic over named values and number literals: + - * / and parentheses.
// A name starts with a letter and runs over letters, digits, '_' and '.'; an
// '@' in it is followed by a time or a range of times ("HI@2.5", "v@0-5").
// Throws DocumentError on a syntax error or a division by zero.
double EvaluateExpression(const std::string& expression,
                          const std::function<double(const std::string&)>& valueOf);

// Whether the expression is a single name, and which.
bool IsSingleName(const std::string& expression, std::string& name);

} // namespace assets
