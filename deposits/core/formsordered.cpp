#include "deposits/core/formsordered.h"

#include "common/core/backup.h"
#include "common/core/datafiles.h"
#include "common/core/records.h"

namespace deposits {

std::optional<FormsOrder> readFormsOrder() {
    if (!pellar::DataFileExists(kFormsOrderedFile))
        return std::nullopt;
    FormsOrder order;
    if (const std::optional<QByteArray> bytes = pellar::readDataFile(kFormsOrderedFile)) {
        pellar::FreeFormatReader reader(*bytes);
        order.representative = reader.readText();
        order.orderNumber = reader.readText();
    }
    return order;
}

pellar::FileResult writeFormsOrder(const FormsOrder& order) {
    pellar::RecordWriter writer;
    writer.text(order.representative).text(order.orderNumber);
    return pellar::writeDataFile(kFormsOrderedFile, writer.line());
}

} // namespace deposits
