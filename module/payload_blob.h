/* payload_blob.h: the stored action description document and, directly behind it, the payload record. */
#ifndef RIVIDI_PAYLOAD_BLOB_H
#define RIVIDI_PAYLOAD_BLOB_H

extern "C" const unsigned char document_text[];
extern "C" const unsigned char payload_record[];
extern "C" const unsigned char payload_record_end[];

#endif
