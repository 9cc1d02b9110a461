// ASCII comparison without regard to case, as file extensions are compared.
#pragma once

#include <string_view>

bool EqualsNoCase(std::string_view a, std::string_view b);
