/* payload_blob.cpp: embeds the document (RIVIDI_DOCUMENT_FILE) and, right behind its last byte,
   the payload record (RIVIDI_RECORD_FILE), both made by the build. */
#include "payload_blob.h"

#if defined(_WIN32) && !defined(_WIN64)
#define BLOB_SYMBOL(name) "_" #name
#define BLOB_SECTION ".section .rdata,\"dr\"\n"
#define BLOB_HIDDEN(name) ""
#else
#define BLOB_SYMBOL(name) #name
#define BLOB_SECTION ".section .rodata\n"
#define BLOB_HIDDEN(name) ".hidden " #name "\n"
#endif

__asm__(BLOB_SECTION
        ".balign 4\n"
        ".globl " BLOB_SYMBOL(document_text) "\n"
        ".globl " BLOB_SYMBOL(payload_record) "\n"
        ".globl " BLOB_SYMBOL(payload_record_end) "\n"
        BLOB_HIDDEN(document_text) BLOB_HIDDEN(payload_record) BLOB_HIDDEN(payload_record_end)
        BLOB_SYMBOL(document_text) ":\n"
        ".incbin \"" RIVIDI_DOCUMENT_FILE "\"\n"
        BLOB_SYMBOL(payload_record) ":\n"
        ".incbin \"" RIVIDI_RECORD_FILE "\"\n"
        BLOB_SYMBOL(payload_record_end) ":\n"
        ".text\n");
