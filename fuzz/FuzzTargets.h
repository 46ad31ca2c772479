#pragma once

#include <cstddef>
#include <cstdint>

// Fuzz entry points over everything that reads bytes from the network, the codec or the
// profile file. Each checks what must hold for any input and aborts when it does not. They
// serve both the libFuzzer executables and the corpus replay that runs with the ordinary tests.

int fuzzViewReply(const std::uint8_t* data, std::size_t size);
int fuzzAcknowledgement(const std::uint8_t* data, std::size_t size);
int fuzzDialString(const std::uint8_t* data, std::size_t size);
int fuzzProfileFile(const std::uint8_t* data, std::size_t size);
