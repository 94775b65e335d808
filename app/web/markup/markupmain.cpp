// Writes one part of the page's markup, named by the argument, to standard output; the build
// runs it with node and puts the parts into the page.
#include "app/design/version.h"
#include "app/web/markup/pagemarkup.h"

#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char **argv)
{
    using namespace freefall::web;
    const char *part = argc > 1 ? argv[1] : "";
    std::string text;
    if (std::strcmp(part, "title") == 0)
        text = titleMarkup();
    else if (std::strcmp(part, "style") == 0)
        text = styleMarkup();
    else if (std::strcmp(part, "window") == 0)
        text = windowMarkup();
    else if (std::strcmp(part, "description") == 0)
        text = FREEFALL_DESCRIPTION;
    else {
        std::fprintf(stderr, "usage: freefall_pagemarkup title|style|window|description\n");
        return 2;
    }
    std::fwrite(text.data(), 1, text.size(), stdout);
    return std::ferror(stdout) ? 1 : 0;
}
