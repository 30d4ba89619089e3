// Who makes the program: the company, its web page for the program, and the one-line legal notice, which is shown
// under the version line on the main panel and carried as the copyright of the version record (it has to fit 127
// dialog units of 8-point Meiryo). The installer and its checks read the same lines.
#pragma once

// The company's name, which also names the program's key in the registry, and the program's web page.
#define HG_COMPANY_NAME "Orvane-Pellit"
#define HG_WEBSITE "http://www.orvane-pellit.jp/Hourglade/index.htm"
#define HG_LEGAL_NOTICE "Copyright © 2026 " HG_COMPANY_NAME
