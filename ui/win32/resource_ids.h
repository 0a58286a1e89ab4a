// ntc-beta: resource numbers of the Windows programs (C and rc syntax).
#pragma once

#define IDI_NTC_BETA 1 /* the icon: 16-48 px in 256 and 16 colours, 16-256 px with alpha */
#define IDR_FORMULA 2  /* the formula picture, a JPEG (RCDATA) */
#define IDR_FORMULA_2X 3 /* the same at twice the size, for 150 % and beyond */
