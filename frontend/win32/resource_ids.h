#pragma once

// The preview still, a 152 x 112 JPEG stored as raw data.
#define IDR_PREVIEW_STILL 101
