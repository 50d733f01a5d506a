#pragma once

#include "dialog_font.h"

// The faces that GDI enumerates on the screen, and the message font of
// SystemParametersInfoW(SPI_GETNONCLIENTMETRICS).
class GdiFontCatalog final : public FontCatalog {
  public:
    bool installed(const std::string& name) override;
    std::string messageFontName() override;
};
