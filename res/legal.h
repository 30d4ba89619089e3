// The one-line legal notice: shown under the version line on the main panel and carried as the
// copyright of the version record. It has to fit 127 dialog units of 8-point Meiryo.
#pragma once

#define HG_COMPANY_NAME "Orvane-Pellit"
#define HG_LEGAL_NOTICE "Copyright © 2026 " HG_COMPANY_NAME
