// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
// Varnel in a web page: takes over the controls that the page comes with
// and leaves the rest to the browser's event loop, whose clicks the page
// reports to the program.
#include "ui/web/form1_page.h"

int main()
{
    // The page lives as long as the browser's page does: the program's
    // runtime stays up after main returns.
    static varnel::web::Form1Page page;
    return 0;
}
