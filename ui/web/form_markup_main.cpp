// ntc-beta: prints the page's window markup, the benchmark's floor or the
// window's title, for the page's build.
#include "ui/web/form_markup.h"

#include <cstdio>
#include <string_view>

int main(int argc, char** argv)
{
    const std::string_view what = argc == 2 ? argv[1] : "";
    if (what == "form") return std::fputs(ui::web::formMarkup().c_str(), stdout) < 0;
    if (what == "floor") return std::fputs(ui::web::floorMarkup().c_str(), stdout) < 0;
    if (what == "title") return std::puts(ui::web::windowTitle().c_str()) < 0;
    std::fputs("usage: form_markup form|floor|title\n", stderr);
    return 2;
}
