#include "deposits/core/formsordered.h"

#include "common/core/backup.h"
#include "common/core/datafiles.h"
#include "common/core/records.h"

namespace deposits {

std::optional<FormsOrder> readFormsOrder(const pellar::DataFolder& folder) {
    if (!pellar::DataFileExists(folder, kFormsOrderedFile))
        return std::nullopt;
    FormsOrder order;
    if (const std::optional<QByteArray> bytes = pellar::readDataFile(folder, kFormsOrderedFile)) {
        pellar::FreeFormatReader reader(*bytes);
        order.representative = reader.readText();
        order.orderNumber = reader.readText();
    }
    return order;
}

pellar::FileResult writeFormsOrder(const pellar::DataFolder& folder, const FormsOrder& order) {
    pellar::RecordWriter writer;
    writer.text(order.representative).text(order.orderNumber);
    return pellar::writeDataFile(folder, kFormsOrderedFile, writer.line());
}

} // namespace deposits
