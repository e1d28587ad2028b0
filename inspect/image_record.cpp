#include "inspect/image_record.h"

#include "xom/layout.h"

namespace brindle {

ImageRecord ReadImageRecord(const ByteReader& file, int64_t dataPosition) {
    ImageRecord record;
    record.dataPosition = dataPosition;
    record.firstIndexExtra = IsWideIndex(file.U8(dataPosition + 3)) ? 1 : 0;
    record.width = file.U16(record.WidthPosition());
    record.height = file.U16(record.HeightPosition());
    record.type = file.U8(record.TypePosition());
    record.format = file.U8(record.FormatPosition());
    return record;
}

int64_t PixelBlockStart(const ByteReader& file, const ImageRecord& record) {
    int64_t secondIndex = record.SecondIndexPosition();
    return secondIndex + (IsWideIndex(file.U8(secondIndex)) ? 2 : 1);
}

} // namespace brindle
