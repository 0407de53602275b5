/* text_protocol.h: how a text export hands a text to the host (the buffer-size protocol). */
#ifndef RIVIDI_TEXT_PROTOCOL_H
#define RIVIDI_TEXT_PROTOCOL_H

/* Copies the n bytes of text and a NUL into buffer when *size >= n and returns n;
   otherwise stores n in *size and returns -1, leaving the buffer alone. */
int proto_givetext(const char* text, int n, char* buffer, int* size);

#endif
