// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
// Varnel in a web page: makes the page's controls and leaves the rest to the
// browser's event loop, which reports clicks back to the page.
#include "ui/web/form1_page.h"

int main()
{
    // The page lives as long as the browser's page does: the program's
    // runtime stays up after main returns.
    static varnel::web::Form1Page page;
    return 0;
}
