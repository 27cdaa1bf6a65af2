// The module's entry point: the suite starts one copy per device with the
// device's address and credentials on the command line. The program is
// where the shell meets the pages above it: their openers are registered
// before the main window exists.

#include "pages/all_pages.h"
#include "shell/main_form.h"
#include "shell/module_entry.h"

int main(int argc, char** argv) {
    RegisterAllPages();
    return RunModule(argc, argv, [] { return MainForm = new TMainForm(nullptr); });
}
