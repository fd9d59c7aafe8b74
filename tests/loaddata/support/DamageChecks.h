// Damages a good file in every way a disk or a hostile hand could and expects the reader to
// refuse each version of it.
#pragma once

#include "loaddata/FileEnvelope.h"
#include "loaddata/FormatError.h"

#include <functional>
#include <initializer_list>
#include <vector>

using FileDecoder = std::function<loaddata::FormatError(const std::vector<unsigned char>&)>;

// Every shorter file, every file with one byte flipped by each mask, and a longer file.
void expectCutsAndFlipsRefused(const std::vector<unsigned char>& good, const FileDecoder& decode,
                               std::initializer_list<unsigned char> masks);

// Cuts and flips as above, another magic and format versions out of range.
void expectEveryDamageRefused(const std::vector<unsigned char>& good, const FileDecoder& decode);

// Content that claims a huge count right behind the given leading bytes, in a frame with a
// correct check sum, so that only the reader's count checks stand between it and the
// allocation.
std::vector<unsigned char> fileWithHugeCount(const loaddata::FileKind& kind,
                                             const std::vector<unsigned char>& leading,
                                             uint32_t count);
