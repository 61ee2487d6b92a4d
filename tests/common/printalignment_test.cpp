// The alignment offsets file, and offsets reaching every position of a job.
#include "common/core/printalignment.h"
#include "common/core/printsurface.h"
#include "tests/support/datafolder.h"
#include "tests/support/recordingsurface.h"

#include <gtest/gtest.h>

using namespace pellar;
using pellar::testing::ScratchDataFolder;

TEST(PrintAlignment, FileBytesAndWhatADamagedFileDoes) {
    ScratchDataFolder folder;
    // Missing: every offset zero, nothing written.
    PrintAlignmentRead read = readPrintAlignment(folder);
    EXPECT_FALSE(read.found);
    EXPECT_EQ(read.alignment, PrintAlignment());
    EXPECT_FALSE(folder.exists("PrintAlignment.txt"));

    PrintAlignment alignment;
    EXPECT_TRUE(alignment.setOffsets(PrintedDocument::DepositSlipFront, {12, -5}));
    EXPECT_FALSE(alignment.setOffsets(PrintedDocument::Invoice, {101, 0}));
    EXPECT_FALSE(alignment.setOffsets(PrintedDocument::Invoice, {0, -101}));
    EXPECT_TRUE(alignment.setOffsets(PrintedDocument::ContactReport, {-100, 100}));
    ASSERT_TRUE(savePrintAlignment(folder, alignment));
    EXPECT_EQ(folder.bytes("PrintAlignment.txt"), "\"Invoice\",0,0\r\n"
                                                  "\"Deposit Slip Front\",12,-5\r\n"
                                                  "\"Deposit Slip Back\",0,0\r\n"
                                                  "\"Contact Report\",-100,100\r\n");
    read = readPrintAlignment(folder);
    EXPECT_TRUE(read.found && read.problem.isEmpty());
    EXPECT_EQ(read.alignment, alignment);

    // Damaged: zero offsets and a plain message; the file itself stays as it is.
    for (const QByteArray& bytes :
         {QByteArray("\"Invoice\",twelve,0\r\n"), QByteArray("\"Invoice\",0,200\r\n"),
          QByteArray("\"Cheque\",1,1\r\n"), QByteArray("\"Invoice\",5\r\n")}) {
        folder.put("PrintAlignment.txt", bytes);
        read = readPrintAlignment(folder);
        EXPECT_EQ(read.alignment, PrintAlignment()) << bytes.constData();
        EXPECT_TRUE(read.problem.contains("PrintAlignment.txt")) << bytes.constData();
        EXPECT_EQ(folder.bytes("PrintAlignment.txt"), bytes);
    }
}

TEST(PrintAlignment, OffsetsMoveEveryPositionOfTheJob) {
    PrintAlignment alignment;
    alignment.setOffsets(PrintedDocument::DepositSlipBack, {25, -10});
    PrintJobSetup setup;
    setup.origin = PageOrigin::PrintableArea;
    alignment.apply(PrintedDocument::DepositSlipBack, setup);
    EXPECT_EQ(setup.offsetX, 360);
    EXPECT_EQ(setup.offsetY, -144);

    auto log = std::make_shared<PrintLog>();
    RecordingSurface surface(log, setup);
    SetPrintPosition(surface, 1, 2);
    surface.print(QStringLiteral("Text"));
    surface.line(0, 0, 1440, 0);
    EXPECT_EQ(log->origin, PageOrigin::PrintableArea);
    EXPECT_EQ(log->ops[0].x, 1440 + 360);
    EXPECT_EQ(log->ops[0].y, 2880 - 144);
    EXPECT_EQ(log->ops[1].x2, 1440 + 360);
    EXPECT_EQ(log->ops[1].y, -144);
}
