// SHA-256 as published in FIPS 180-4.
#pragma once

#include <cstddef>
#include <cstdint>

struct Sha256Context {
    uint32_t state[8];
    uint32_t bitCount[2];  // message length in bits: low half, high half
    uint8_t block[64];
};

void Sha256Init(Sha256Context* context);
void Sha256Update(Sha256Context* context, const void* data, size_t length);
// Writes the 32-byte digest and wipes the context.
void Sha256Final(uint8_t digest[32], Sha256Context* context);
void Sha256Transform(uint32_t state[8], const uint8_t block[64]);
