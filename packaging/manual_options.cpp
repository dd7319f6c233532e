// Prints the option items of duvane-calc's manual page, from the option
// table; the build puts them into the page.

#include <iostream>

#include "commandline/Help.h"

int main()
{
    std::cout << manualOptionItems();
    return std::cout.flush() ? 0 : 1;
}
