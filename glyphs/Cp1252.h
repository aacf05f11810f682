#pragma once

// The Unicode character that Windows-1252 puts at a byte. The five bytes that
// code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) keep their own
// value, which no font of ours maps.
char16_t Cp1252ToUnicode(unsigned char byte);
