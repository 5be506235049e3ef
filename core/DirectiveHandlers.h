#pragma once

#include "core/DirectiveLine.h"

// The handlers of the directive words, by pass. A directive that pass 2 never sees
// (it is not marked in pass 1) has only a pass-1 handler.

void passOneByteData(const DirectiveLine& line);  // .DB, .BYTE
void passTwoByteData(const DirectiveLine& line, OutputImage& image);
void passOneWordData(const DirectiveLine& line);  // .DW, .WORD
void passTwoWordData(const DirectiveLine& line, OutputImage& image);
void passOneText(const DirectiveLine& line);
void passTwoText(const DirectiveLine& line, OutputImage& image);

void passOneOrigin(const DirectiveLine& line);
void passTwoOrigin(const DirectiveLine& line, OutputImage& image);
void passOnePad(const DirectiveLine& line);
void passTwoPad(const DirectiveLine& line, OutputImage& image);
void passOneFill(const DirectiveLine& line);  // .FILL count[,value]
void passTwoFill(const DirectiveLine& line, OutputImage& image);
void passOneBlock(const DirectiveLine& line);  // .BLOCK count
void passTwoBlock(const DirectiveLine& line, OutputImage& image);
void passOneChecksum(const DirectiveLine& line);
void passTwoChecksum(const DirectiveLine& line, OutputImage& image);

void passOneIncbin(const DirectiveLine& line);
void passTwoIncbin(const DirectiveLine& line, OutputImage& image);

void passOneModule(const DirectiveLine& line);
void passTwoModule(const DirectiveLine& line, OutputImage& image);
void passOneLocalLabelChar(const DirectiveLine& line);
void passTwoLocalLabelChar(const DirectiveLine& line, OutputImage& image);

void passOnePlugin(const DirectiveLine& line);
void passOneAddInstr(const DirectiveLine& line);

void passOneError(const DirectiveLine& line);
void passOneWarning(const DirectiveLine& line);
void passOneMessage(const DirectiveLine& line);
void passOneEcho(const DirectiveLine& line);

// The listing's switches; they change nothing else.
void passOneNoList(const DirectiveLine& line);
void passOneList(const DirectiveLine& line);
