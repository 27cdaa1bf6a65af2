// The module's entry point: the suite starts one copy per device with the
// device's address and credentials on the command line.

#include "shell/main_form.h"
#include "shell/module_entry.h"

int main(int argc, char** argv) {
    return RunModule(argc, argv, [] { return MainForm = new TMainForm(nullptr); });
}
