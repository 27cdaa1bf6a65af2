#pragma once
// Every page folder's openers at once: what the program registers before the
// main window is made, so that each menu entry opens its page.

void RegisterAllPages();
