<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>AlignmentPage</name>
    <message>
        <source> /100 in</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <source>The backup folder %1 could not be created: a file of that name is in the way.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup folder %1 could not be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 could not be deleted: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 could not be replaced: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 could not be found.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Billwright</name>
    <message>
        <source>Billwright writes and prints the invoices of a small business.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is already Running!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Copy Incomplete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copying of File %1Could not be completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is most likely due some other </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvanta Program running concurrently</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some of the saved information could not be read:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Billwright uses its defaults for what could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data files cannot be backed up when Billwright ends.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BusinessInfoPanel</name>
    <message>
        <source>If you plan on using Orvanta&apos;s Tillbook II,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>run it&apos;s setup routine before using Slipmaker.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BusinessProfile</name>
    <message>
        <source>The business profile in %1 has %2 of its %3 fields.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it now has no business name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it now names %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The business profile was changed by another program after this form showed it: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the profile on this form over it? No keeps the other program&apos;s profile.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source> The catalogue was not saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CategoryTotals</name>
    <message>
        <source>Both dates of the period are needed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The period ends before it starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The totals cover at most 12 months; choose two dates within a year.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The totals of this period are too large to be added up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (continued)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expenses by Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totals by Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totals by Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category Totals</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CategoryTotalsPanel</name>
    <message>
        <source>The category totals could not be printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category Totals</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Checkbook</name>
    <message>
        <source>The checkbook data file CheckbookInfo.txt is damaged: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds %1 of its %2 fields.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a number in it is out of range.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the balance &quot;%1&quot; is not an amount of money.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The checkbook balance %1 and this deposit add up to more than this program can hold; the balance was not changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 cannot hold a double quote (&quot;).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 cannot hold a line break or a tab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 holds characters the file cannot keep: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>account name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bank name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>account number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The next check number must be from 1 to 32,767.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A checkbook file CheckbookInfo.txt is already in the data folder; it was left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A checkbook file CheckbookInfo.txt appeared in the data folder meanwhile; it was left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContactReport</name>
    <message>
        <source>Account Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Contacts</name>
    <message>
        <source>The contacts file ends with %1 characters that are not a whole contact. They are left out, and the file is not changed until a contact is saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CustomerBook</name>
    <message>
        <source>Customers.txt has %1 line(s) that are not customer records, so it was left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is no longer in the customer book.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A customer needs a name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is already in the customer book.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk or quota is full, or the file cannot grow any larger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is %2 MB, far larger than a file of its kind can be, so it was not read. Nothing has been written over it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record %1 of the file %2 could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>record number %1 is out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the place to write is out of range</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataFolderNotice</name>
    <message>
        <source>Data Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data files are kept in the folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Yes to open the folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No program could be started to open the folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its path, to copy into a file manager:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DepositBank</name>
    <message>
        <source>The checkbook data file CheckbookInfo.txt has not been read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The checkbook data file CheckbookInfo.txt is no longer in the data folder.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DepositFormWidgets</name>
    <message>
        <source>That is not an amount: type it in figures, as 125.50.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DepositLinks</name>
    <message>
        <source>Ordering Deluxe Forms</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DepositPrinting</name>
    <message>
        <source>Check Summary on Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reverse the Deposit/Summary Report Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and Re-install into the Printer as before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checks will be Printed on the back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>deposit slip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An Error has occurred while Printing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The deposit was not recorded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the checks of the count first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No checks to enter: for cash only, click Continue with Deposit Creation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each check needs its number, its amount and whom it is from.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A check amount must be more than zero.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cash back can be from zero up to the deposit, %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The checkbook balance has changed since this deposit was begun: it was %1 and is now %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The deposit of %1 will be added to %2, making %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click OK to record the deposit, or Cancel to record nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The deposit was not recorded: neither the transactions log nor the checkbook balance was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The deposit is in the transactions log, but the checkbook balance was not changed. Add it to the balance with the PellarWriter Program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The deposit was recorded, but its PDF copy could not be kept in the Deposits folder.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DepositSlip</name>
    <message>
        <source>Checks Listed on Back of Slip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deposit Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cash Retained</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CHECKS WITH THIS DEPOSIT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deposit Slip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deposit Slip - Checks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checks 1-6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checks 7-14</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gross</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cash back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checks 1-14</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checks 15-29</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checks 30 on</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DocumentOutput</name>
    <message>
        <source>Save as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The copy could not be saved in &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alignment Test Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alignment test page: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printer is set up on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the %1 as a PDF file instead?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>alignment test page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EntryNotices</name>
    <message>
        <source>Choose whom the payment was made to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose how the amount is charged: to one category, to several, or to none on account.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a category for the expense.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the amount paid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the check number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the card company.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount that can be recorded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Required information has not been Supplied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paid to: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the Amount of: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are Entries Correct?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This payment itself will not be recorded; only a finance charge entered below and posted with Continue will be.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Review before Posting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Posted %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The expense file can hold no more than %1 records.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It has room for %1 more, and this posting needs %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was posted. Remove old records with File Cleanup under Reports first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expense File Full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is more than the %2 that remains to be split.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount Not Fully Disbursed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of the %2 paid is in no line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Post the lines as they are? Answer No to add a line for it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Amount Entered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter an Amount before Disbursing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Record will be Created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A cash payment with no Disbursement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Does not need to be Posted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The date paid cannot be later than today.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Calendar(s) Selection is Invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Expense Catigories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You Do not have any Expense Categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a list by Selecting Setup on the Main Menu</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExpenseCleanup</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A copy of NewExpenses.txt is kept before every cleanup, and this one could not be made (%1). No records were removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file Temp.txt could not be deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no expense file: no records were removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No records were removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 record was removed; </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 records were removed; </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 record is left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 records are left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 1 record whose date could not be read was kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> %1 records whose date could not be read were kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The file as it was is kept in %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExpenseExport</name>
    <message>
        <source>The export could not be written to %1: %2 Nothing was saved under that name.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExpenseFile</name>
    <message>
        <source>The file NewExpenses.txt holds %1 records and has room for %2 more; nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file NewExpenses.txt has no record %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExpenseReview</name>
    <message>
        <source>1 record has a date that could not be read; it is not listed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 records have a date that could not be read; they are not listed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 listed record has an amount that could not be read; it is left out of the total.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 listed records have an amount that could not be read; they are left out of the total.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FolderLock</name>
    <message>
        <source>another program is saving to the data folder %1; try again in a moment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the data folder %1 cannot be found (a network share may have been disconnected)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the data folder %1 cannot be written to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the data folder %1 cannot take a new file (the disk or quota may be full)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FormPictures</name>
    <message>
        <source>DEPOSIT TICKET</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deposit Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Business</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FormsOrderPanel</name>
    <message>
        <source>Deposit Ticket
Deluxe  #  80200</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Business Checks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double Window Envelopes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>Data folder: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part of Pellar: Billwright, PellarSpendlogFREE and Slipmaker.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright 2026 Pellar. All rights reserved; licensed for use by the holder of a licence.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InputRoutines</name>
    <message>
        <source>Left out: %1 (the data files cannot hold these characters)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InvoiceDocument</name>
    <message>
        <source>Invoice %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InvoiceDraft</name>
    <message>
        <source>That comes to more than an invoice can hold.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type or pick the item first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the price first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the quantity first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An invoice holds 50 lines.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The price &quot;%1&quot; is not an amount.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The quantity &quot;%1&quot; cannot be read as a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tax rate &quot;%1&quot; cannot be read as a number; correct it in Setup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A discount of %1 percent cannot be offered on this invoice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the hours first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The hours &quot;%1&quot; cannot be read as a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rate &quot;%1&quot; is not an amount.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate or type the labor charge first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The labor charge &quot;%1&quot; is not an amount.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InvoiceFiles</name>
    <message>
        <source>Invoice number %1 is the largest the invoice counter can hold, so it cannot count this invoice.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InvoiceOptions</name>
    <message>
        <source>field %1 is not 0, 1 or 2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InvoiceOutline</name>
    <message>
        <source>Business</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date, number, page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Customer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grand total</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InvoicePage</name>
    <message>
        <source>ITEM SUB-TOTAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LABOR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SHIPPING CHARGE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CREDIT ISSUED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADDITIONAL CHARGES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TAX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deduct a Discount of %1 if Paid in %2 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thank you for your Business</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INVOICE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INVOICE NO: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page  %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QTY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PRICE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detach Here and Return Top Section</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InvoicePrint</name>
    <message>
        <source>The invoice is still on the form.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing Confirmation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Was the Invoice Printed Correctly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Retry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would you like to Retry Printing this Invoice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invoice %1 was not entered in the register, so it was not issued: its number stays free and the invoice is still on the form. Please set the printed copy aside.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The customer was not saved in the book.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invoice number %1 is the largest the invoice counter can hold, so it cannot count this invoice.
No invoice was printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>invoice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No invoice was printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invoice number %1 has been issued by another copy of the program meanwhile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This invoice is number %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InvoiceRegister</name>
    <message>
        <source>Invoices.txt is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invoice %1 is no longer in Invoices.txt.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Notices</name>
    <message>
        <source>Deposit Tickets are Item #  80200</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordering Deluxe Forms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order Paper</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>INVOICE</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintAlignment</name>
    <message>
        <source>The alignment file PrintAlignment.txt is damaged (%1); every document prints without its offsets until new ones are saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an offset of %1 beyond an inch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no document is called &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in, %2 in</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintScreenPanel</name>
    <message>
        <source>Leading Edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ck No&apos;s Print Here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sales Journal Prints Here</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrinterSurface</name>
    <message>
        <source>No printer is set up on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not start the print job.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer could not start page %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The print job could not be finished.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgramShell</name>
    <message>
        <source> cannot start without it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RealDesk</name>
    <message>
        <source>Print Preview - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>field %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>field %1 is missing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>overdue %1 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unpaid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Customer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paid</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SalesTaxPage</name>
    <message>
        <source>Sales Tax Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FEIN / VAT number: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period: %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taxable sales</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non-taxable sales</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total sales before tax</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sales tax collected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invoice totals, tax included</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invoices issued in the period</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source> The file was left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetupHelpPage</name>
    <message>
        <source>Options Tab - This Information is used when creating Invoices
Program Aids are used throughout.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Business Tab - Information is used to headup Invoices.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the Information needed at each Tab.
The Options Tab has multiple sub-tabs.
Information that is commom to other Orvanta Programs may appear automatically.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Slipmaker</name>
    <message>
        <source>Its balance of %1 may be out of date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its balance could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CheckbookInfo.txt was missing and has been restored from its copy in the Backup folder, dated %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check it against your checkbook before adding a deposit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slipmaker prints bank deposit slips and keeps the checkbook balance.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> is already Running!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look for it on the Task Bar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SlipmakerInfo</name>
    <message>
        <source>Version </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpendlogForms</name>
    <message>
        <source>PellarSpendlogFREE records what a small business pays, and reports it for the accountant.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Restored from Backup Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> was missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a recent copy has been restored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data may be missing from this file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is normal when Deleting old Invoices etc</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SplitPanel</name>
    <message>
        <source>Not Applicable</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SupplierNotices</name>
    <message>
        <source>Although this Program does not use Deluxe Forms,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can still receive the Orvanta 20% discount on any Deluxe Products</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your initial order must be placed via telephone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call Deluxe (Toll Free) at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Priority Code %1 for Discount Prices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Yes to connect to the internet to place a Re-order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After connecting:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Continue to Deluxe Business Checks and Solutions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Sumbit a Re-Order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>follow the Re-order Instructions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordering Deluxe Forms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order Paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Perforated Response Paper is used to create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Service Slips with a Tally or Remittance Section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Yes to connect to a Supplier</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransactionLog</name>
    <message>
        <source>The transactions log Transactions.txt already holds 32,767 deposits, as many as it can take. To go on, move Transactions.txt and its copy in the Backup folder to another folder; a new log is then started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A deposit can be at most %1: the transactions log cannot record a larger amount.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WebLinks</name>
    <message>
        <source>Orvanta partners with Deluxe Business Forms,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>follow these instructions to receive a 20% Discount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on your initial order of ANY DELUXE PRODUCTS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call Deluxe (Toll Free) at </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USE PRIORITY CODE </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> to obtain the Discount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click YES to connect to the INTERNET TO PLACE A  RE-ORDER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After connecting:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Continue to Deluxe Business Checks and Solutions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Sumbit a Re-Order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>follow the Re-order Instructions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Perforated Response Paper is used to create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invoices with a remittance Slip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Yes to connect to a Supplier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not the address of a web page, so it was not opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No web browser could be started for %1; the address can be typed into one.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>deposits::BusinessInfoPanel</name>
    <message>
        <source>Company Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Postal Zip Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter your FEIN or VAT if desired</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Postal Code is Mandatory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use these Fields to enter additional Information about your Company that you wish Printed on Documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FEIN, VAT or Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write each additional line as a title followed by the information, for example:
Fax: 802-555-0143</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Changes and Return to Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Returns to Main Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;USA Style Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;International Style Address</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>deposits::CashBackPanel</name>
    <message>
        <source>Cash Back from Deposit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deposit Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Deposit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continues the Deposit Process</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Amount Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deducts the Casj Back Amount from the Deposit Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Yes if you would like Cash Back from this Deposit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grand Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Continue when Correct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No, Deposit All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes, Receive Cash Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo Deposit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>deposits::CheckEntryPanel</name>
    <message>
        <source>Check Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the Check No shown on the check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the amount shown on the check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds this Check to the Deposit Slip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clears this entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number on Customer Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount of Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Received From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Check No, Amount and Received From Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entering Check %1 of %2 Checks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo C&amp;heck Entry</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>deposits::FormsOrderPanel</name>
    <message>
        <source>Ordering your Forms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slipmaker prints each deposit onto a pre-printed Deluxe deposit form (Deluxe  #  80200). Checks and window envelopes for Pellar Writer come from the same supplier.

1.  Call Deluxe (Toll Free) at %1.
2.  Give the Priority Code %2 to receive the Orvanta 20% discount on your initial order.
3.  Order the deposit forms, and the checks and envelopes if you need them.
4.  Write the name of the Representative and the Order Number below and click SAVE.

Re-orders can be placed over the internet through &quot;Order Forms&quot; on the menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Representative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hide Instructions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;AVE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Instructions</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>deposits::PrintScreenPanel</name>
    <message>
        <source>Deposit Summary Report Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Deluxe  #  80200)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert a pre-printed Deposit Form into the Printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the Deposit Slip and Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the Deposit Slip and Summary as they will print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as P&amp;DF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the Deposit Slip and Summary to a PDF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo Deposit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>deposits::SummaryEntryPanel</name>
    <message>
        <source>Deposit Creation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the total of all cash that you wish to deposit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the total number of checks that you wish to deposit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accepts the total check count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continues the Deposit process</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ck Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deposit Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the Deposit Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Currency with this Deposit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Bills and Coins)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No of Checks included with this Deposit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total of Deposit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of checks was not a number; it is 0 now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Enter Check Summary Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Continue with Deposit Creation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo Deposit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>deposits::frmCheckbookSetup</name>
    <message>
        <source>Set Up a Checkbook File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slipmaker adds each deposit to the balance kept in the checkbook file CheckbookInfo.txt in %1. Enter the account it is for; the opening balance is the account&apos;s balance today.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account&apos;s name, as you call it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bank that holds the account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account&apos;s balance today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account number on your checks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of the next check you will write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Account name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bank name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Opening balance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account &amp;number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next c&amp;heck number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Create Checkbook File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes CheckbookInfo.txt and goes on to Slipmaker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ends Slipmaker without a checkbook file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the opening balance as an amount, such as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the account&apos;s name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The checkbook file was not written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>deposits::frmDeposit</name>
    <message>
        <source>Deposit Creation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return to Main Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You need to create your Checkbook Data file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Using the PellarWriter Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No deposit can be recorded until the file is repaired with the PellarWriter Program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The deposit form can list at most %1 checks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please split these checks over two or more deposits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 checks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of this deposit already entered will be dropped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start the check entry over?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment Verification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Okay if the Summary Information is Correct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      Check No   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      Amount     </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      From       </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deposit Complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Review the Deposit Ticket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click YES if Correct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click NO if Incorrect </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>deposits::frmDepositHistory</name>
    <message>
        <source>Deposit History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first day shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last day shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;All Dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows every deposit in the log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter or a double click opens the slip&apos;s PDF copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deposits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open / Reprint Slip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the slip&apos;s PDF copy in your PDF viewer, where it can be printed again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pre&amp;view List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the list as it would print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print List...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the list, or saves it as a PDF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the shown rows as a CSV file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back to Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Returns to the start form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 from %3: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 of the log cannot be read by date or amount: listed last, marked, and not in the totals. The log is left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a deposit in the list first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No PDF copy of the deposit of %1 on %2 is in the Deposits folder: it was made before copies were kept, or its copy could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This record cannot be read, so its slip cannot be found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No PDF viewer took the slip&apos;s copy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The slip opened in your PDF viewer; print it from there to reprint it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deposit History, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An Error has occurred while Printing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Deposits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 rows saved in %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>deposits::frmSetup</name>
    <message>
        <source>Deposit Creation Setup Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Business Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Alignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the company name first: it is needed to save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Order Forms</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>deposits::frmSplash</name>
    <message>
        <source>Pellar Banking by ORVANTA Co</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows Setup Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Name of this program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pellar Banking -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a Deposit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(A Free Program from Orvanta)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to Visit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvanta Programs share files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit all other Orvanta Programs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>before continuing....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts the Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The deposits made so far, their totals and their slips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright law. You may use it and give away unchanged copies free of charge; selling it or changing it is not allowed. It is provided as is, without warranty of any kind.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create your Checkbook Files using Pellar Writer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>before Running Slipmaker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No checkbook file CheckbookInfo.txt is in the data folder or its Backup folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Yes to set up a checkbook file here now: the account, the bank and the opening balance.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click No if you keep your checkbook with the check-writing program; Slipmaker ends, and works once that program has made the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © ORVANTA Co %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deposit H&amp;istory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Data Folder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Upgrade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to Pellar &amp;Banking (Full)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visit Us</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Order Supplies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints your bank deposit slips and keeps your
checkbook balance. F1 shows how.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>expenses::CategoryTotalsModel</name>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>expenses::CategoryTotalsPanel</name>
    <message>
        <source>Category Totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totals the expenses of the dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show main screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totals by Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totals by Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The category totals were saved as %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>expenses::ChargingPanel</name>
    <message>
        <source>Expense Category Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a Category from the List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount can be Credited to Multiple Expense Categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can Pay a Bill with out Applying the Amount to an Expense Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can Expense More than the Amount Entered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply Amount to a Sin&amp;gle Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disb&amp;urse Amount to Multiple Categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply none of the Amount to  Categories Making &amp;Partial Payment on  Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xpense Unpaid Amounts</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>expenses::CleanupPanel</name>
    <message>
        <source>Cleanup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pre-Sets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Eternity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M&amp;TD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;YTD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Last Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DELETES ALL Expense Records for the select date range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Main Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click cleanup to DELETE ALL Expenses Recorded between the Start and Ending Dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ending Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a Starting Date and Ending Date or Select a Pre-set Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records cannot be dated later than today.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This will Delete all Expense Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>within the Selected Date Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cleanup</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>expenses::ContactEditor</name>
    <message>
        <source>Payto Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Used to Display/Modify or Enter Contact Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Acct No with this Payto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assign this Payto Recipient to a category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>St</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Postal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fax,Cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key Contact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(FYI Only)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goes to Previous Contact Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goes to Next Contact Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goes to Last Contact Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Name, Address, etc  to find a Contact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel &amp;Add New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancels the creation of a New Contact Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use this form to store Payto Information.  Select a Category for this Recipient. Searching by Category would then find all Records with this category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Contacts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Contact File is Empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create your First Contact Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This contact was changed or deleted elsewhere since it was shown here, and that change is kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the contact on this screen as a new contact?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no contact here to delete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete this Contact?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This contact was changed or deleted elsewhere since it was shown here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was deleted; the contacts are shown as they are now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A name needs at least 2 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Name Entered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Name Field Must be at least 2 Characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is okay if Cancelling a New Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Cancel AddNew Again</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>expenses::ContactResultsPanel</name>
    <message>
        <source>Payto Search Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays Customers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the Contact List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the Contact List as it will print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as P&amp;DF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the Contact List to a PDF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ali&amp;gnment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moves the printed Contact List to fit your printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hides the Contactr Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click a Payto to Select then Right Click to load                or Click Retry if not Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print P&amp;review</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Select Recipient</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>expenses::ContactSearchPanel</name>
    <message>
        <source>Payto Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Criteria here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finds Contact(s) based on Criteria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clears the Search Criteria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hides the Search Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click a Button to Select a Search Criteria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Criteria Here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finds all Contacts that Match this Criteria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by &amp;Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by &amp;Street Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by A&amp;pt/PO Box Sub Div</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by &amp;City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by St&amp;ate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by &amp;Zip Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by &amp;Telephone Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by Cate&amp;gory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Sea&amp;rch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cl&amp;ear Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ret&amp;urn</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>expenses::ContactsFoundModel</name>
    <message>
        <source>Contact Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Street Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zip Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rec# in File</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>expenses::EntryPanel</name>
    <message>
        <source>Business Expenses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the date the expense occurred</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Amount paid for this item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USE YOUR CHECKBOOK PROGRAM TO ENTER CHECKS AND E-PAYMENTS.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ENTER EXPENSES PAID USING A CHECKBOOK OTHER THAN ORVANTA&apos;S TILLBOOKII</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Amount to Single Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clears the amount input box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo the Expense Posting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return to the Main Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Paid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Amount Paid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment Made to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A partial payment is not recorded. A finance charge is recorded with Continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;nter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lear Amount</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>expenses::ExpenseGridModel</name>
    <message>
        <source>Date Paid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paid to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>expenses::ExportPanel</name>
    <message>
        <source>Export Expenses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;All categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forms of Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chec&amp;k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ca&amp;sh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cre&amp;dit Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;E-Bill Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spreadsheet (CSV, &amp;UTF-8)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plain-text accounting &amp;journal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the expenses chosen to a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show main screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Void checks, archived records and records whose date or amount cannot be read are left out, as in the review.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The period ends before it starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose at least one category to export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose at least one form of payment to export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was exported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No expenses of the period match what is chosen; nothing was exported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expenses %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Journal files (*.journal)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>expenses::FinancePanel</name>
    <message>
        <source>Finance Charge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Amount as Finance Charge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Review the Statement of Account that you are Posting. If a Finance Charge appears then you should Expense it. Enter the Amount shown on the Statement in the box and click Continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A finance charge typed here is recorded with Continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Con&amp;tinue</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>expenses::PaymentPanel</name>
    <message>
        <source>Form of Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the Form of Payment that was used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debits Checkbook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Does not Debit Checkbook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a Check #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Check No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Card Co.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;heck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ca&amp;sh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credit C&amp;ard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-&amp;Bill Payment</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>expenses::ReportAlignmentPanel</name>
    <message>
        <source>Printer Alignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Returns to the Contact List</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>expenses::ReviewPanel</name>
    <message>
        <source>Expenses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;MTD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;YTD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show main screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Date Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the expenses of the period to a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Eternity</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>expenses::SplitLinesModel</name>
    <message>
        <source>Expense Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>expenses::SplitPanel</name>
    <message>
        <source>Disburse Amount to Categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Amount to Selected Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Complete the Disbursement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a Category Above</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter an Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount Remaining</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An amount typed here is taken with Enter.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>expenses::SplitSummary</name>
    <message>
        <source>Summary of Disbursement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo the Expense Posting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue to enter disbursed expense</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Review the Disbursment Entries If correct, click Continue      Click Redo if incorrect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red&amp;o</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cont&amp;inue</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>expenses::VendorListModel</name>
    <message>
        <source>Vendor / Supplier Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Account Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telephone Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rec</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>expenses::VendorListPanel</name>
    <message>
        <source>Vendors / Suppliers List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left Click to Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vendor / Supplier Data cannot be modified     on this screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>expenses::frmContacts</name>
    <message>
        <source>Payto Selection       </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Returns to the Main Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a contact in the list first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Yes to print a Contact Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The contact report was saved as %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printer is set up on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the whole telephone number, %1 characters, to search by it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact not Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would you like to Create a New Contact?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contacts Search Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no contacts to list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a contact in the grid first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggle &amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add a New Recipient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;DELETE This Recipient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print  Recipient Records</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>expenses::frmExpenses</name>
    <message>
        <source>Expenses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Expenses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category &amp;Totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file TempExpenses.txt could not be deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archive Procedure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleanup Permenantly removes Records in your Expense Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You should Clean Files only when Records are no longer needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File &amp;Cleanup</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>expenses::frmSetup</name>
    <message>
        <source>Spendlog Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays a List of Suggested Expenses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays Expenses that are not tax deductable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays Expense Categories for your Business</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type Here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds the current item to your expense list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;DeleteItem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delets the Current Item from your Expense List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select&amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds all Categoiries and Non-Deductables to your Expenses List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;ClearAll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clears your Expense List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Use a Standard Chart of Accounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to load a Standard Chart of Accounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Changes and Return to &amp;Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Returns to Main Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can track Expenses by Categories Unique to your Business or use a Standard Chart of Accounts.  To select all Categories, including Non Deductable Catagories, Click Select All. You can add or delete from the Expense List.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can Drag and Drop from the Categories Lists to the Expenses List or you can Type an Expense into the list and click AddItem.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag from Either List to Expense List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To create a non-deductable Category, enter it in UPPERCASE Letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Categories List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non Deductable Categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expenses List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a category to add.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is in the Expenses List already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no standard chart of accounts (Chart.txt) in the data folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Expense Codes Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must Enter Expense Codes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Expense Categories were changed elsewhere since this screen showed them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace them with the Expenses List on this screen?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The categories saved elsewhere are kept; the Expenses List now shows them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add&amp;Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Order Banking Supplies</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>expenses::frmStartup</name>
    <message>
        <source>Pellar Spendlog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Name of this program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(A Free Program from Orvanta)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to Visit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Orvanta Checkbook Module was found. Enter only CASH and CC Expenditures  using Spendlog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thank you for using Orvanta Products</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvanta Programs share files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit all other Orvanta Programs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>before continuing....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: this computer program is protected by copyright law. Copying or passing on this program, or any part of it, without permission may be prosecuted to the full extent of the law.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protected by Law</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows Setup Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Continue.......</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter expense data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Licensed to a Valued Customer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Licensed to </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Setup Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create/&amp;Manage Suppliers List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Data Folder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export Expenses...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category &amp;Totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Order Forms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Checks, Deposit Slips,Envelopes, etc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Perfed Paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Labels, etc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Upgrade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvanta &amp;Accounting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvanta &amp;Form Completion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records what your business pays, and reports it for your accountant. F1 shows how.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmContacts</name>
    <message>
        <source>Print Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Print Error has occurred</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmDepositHistory</name>
    <message>
        <source>(too large to add up)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>date cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>amount cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unreadable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record %1 of the log: its %2; it is not in the totals</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>invoicing::AddOnPanel</name>
    <message>
        <source>Add to Invoice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays pre-selected Add-ons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Labor Charges</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Shipping and Handling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional Charges/Credits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Discount Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lear All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De-select all Add-ons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;ontinue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continues to create the Invoice</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>invoicing::ChargesPanel</name>
    <message>
        <source>Additional Charges</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use to enter Add-on Charges</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Labor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shipping/Handling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charges/Credits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discount</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>invoicing::CustomerEntry</name>
    <message>
        <source>Customer Entry    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Customer Data then click Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Street</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apt/PO Box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zip Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return  to Main Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts the Invoice Creation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>invoicing::CustomersWindow</name>
    <message>
        <source>Customers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Street</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apt/PO Box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;ustomers:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;treet:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Apt/PO Box:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;ity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stat&amp;e:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;ZIP:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) of Customers.txt are not customer records.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The book is not changed here until the file is mended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete %1 from the customer book?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>invoicing::InvoiceForm</name>
    <message>
        <source>Invoice Creation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invoice Items Show here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Popup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The memo takes %1 printed lines, but only %2 fit at the foot of the invoice: the last %3 will be left off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The labor charge is not an amount this invoice can take.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The shipping charge is not an amount this invoice can take.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The charge or credit is not an amount this invoice can take.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item Deletion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete item %1 from Invoice?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct the amount in this box first.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>invoicing::InvoiceGrid</name>
    <message>
        <source>Line No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extension</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>invoicing::InvoiceHeaderPanel</name>
    <message>
        <source>Customer Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PO or Reference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inv No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invoice No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Create Invoice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts the Invoice Creation process for this Customer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;ReDo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clears all lines of this Invoice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the Invoice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the Invoice as it will print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as P&amp;DF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the Invoice to a PDF file instead of printing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Returns to the Menu without printing this Invoice</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>invoicing::InvoicesWindow</name>
    <message>
        <source>Invoices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>number or customer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Dates from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Unpaid only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>paid on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark &amp;Paid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark U&amp;npaid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport Shown...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sales tax</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pe&amp;riod:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previe&amp;w</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ave as PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tax &amp;CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 line(s) of Invoices.txt are not invoice records and are not shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>They are kept in the file as they are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 invoices shown, total %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too large to add up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; %1 unpaid for more than 30 days (in red)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sums of this period are too large to add up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2:   taxable sales %3   non-taxable sales %4   tax collected %5   (%6 invoices)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The copy of invoice %1 could not be opened:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Invoices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Sales Tax</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>invoicing::LaborPanel</name>
    <message>
        <source>Labor </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate or Enter Labor Charges</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calc&amp;ulate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiplies Rate by Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;nter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accpts Total and Continues</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R&amp;edo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo Labor Calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Man-hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOTAL LABOR</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>invoicing::LineEntryPanel</name>
    <message>
        <source>Invoice Line No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Invoice Line Info here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List of Previously Created Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Quantity here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the per Unit Price here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Po&amp;st to Invoice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Posts this Information to the Invoice Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear &amp;this Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clears Item, Price and Quantity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add to List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds the Newly entered Item to the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete &amp;from List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deletes the Selected item fro the list of items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Items Complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Completes the Invoice Body and adds addons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Invoice Line No  %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the item to add to the list first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That item is not in the list.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>invoicing::SetupBusinessPage</name>
    <message>
        <source>Company Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Street Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PO Box/Suite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zip Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FAX No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FEIN or VAT</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>invoicing::SetupForm</name>
    <message>
        <source>Billwright Setup Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the needed info,  Click the Orange to Save it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Business Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Entries and  Return to Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Returns to Main Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Order Forms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;from Deluxe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Perfed Paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The memo takes %1 printed lines, but only %2 fit at the foot of the invoice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last %1 will be left off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The print offsets could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your entries are still on the form.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>invoicing::SetupMemoPage</name>
    <message>
        <source>Printed at the foot of every Invoice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This memo is printed at the foot of every Invoice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The memo uses %1 of the %2 printed lines that fit on the invoice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The memo takes %1 printed lines, but only %2 fit on the invoice: the last %3 will be left off.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>invoicing::SetupOptionsPage</name>
    <message>
        <source>Labor Charges</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sales Tax</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invoice Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program Aids</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create by using</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flat Rate (Enter Manually)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate (Manpower  X  Hours)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hourly Rate (0.00)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sales Tax Calculations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tax Material and Labor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tax ONLY Material</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO Sales Tax</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tax Rate (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply to each Invoice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Items you typically include on an Invoice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discount Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Misc Charges or Credits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shipping and Handling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Items may be Selected or Deselected as an Invoice is being Created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discount Calculations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>% if Paid in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program Assistance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound Alarm on Errors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If checked, an alarm will sound if an error occurs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Prompts and Confirmations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If checked, helpful prompts will be displayed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>invoicing::SetupPrintingPage</name>
    <message>
        <source>Invoice Document Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Remittance Slip </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invoices are printed with a perforated Remit section at the Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Remittance Slip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Remittance form is printed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the type of form to print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(use perfed paper)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(use plain paper)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick to set color printing </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mailing Envelope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deluxe Form # 91551</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Order Forms (above)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>invoicing::StartMenu</name>
    <message>
        <source>BILLWRIGHT by ORVANTA Co</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvanta&apos;s Free Billwright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Name of this program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvanta Programs share files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit all other Orvanta Programs before continuing....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Need customer lists and statements too? See Billwright Basic in the Upgrade menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright law. It may be copied and given away free of charge, but it may not be sold or changed.
%1 Orvanta Co, all rights reserved, 2026</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create/&amp;Modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Invoices...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Customers...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Data Folder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Upgrade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visit Us- Compare Products</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Billwright &amp;Basic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Billwright &amp;Lite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Order Forms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Checks etc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Perforated Paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Help file is named Free Billwright User.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and is in your Orvanta folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;ll need a PFD Reader to view it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free PDF Readers are listed at www.pdfreaders.org</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes and prints your invoices, and keeps every one it issues. F1 shows how.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>invoicing::TotalsPanel</name>
    <message>
        <source>Shows a runnig Invoice Subtotal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diplays Tax if applicable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grand Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sub-Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tax</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pellar::ui::AlignmentPage</name>
    <message>
        <source>If your printer puts the entries a little off the lines of a pre-printed form, move them here. Print a test page on plain paper, hold it against the form, and correct the offsets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hundredths of an inch; negative moves left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hundredths of an inch; negative moves up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print where each entry will go, on plain paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep these offsets for every print from now on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The offsets are saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Offsets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another copy of the program saved other offsets for these documents after this page showed them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the offsets on this page over them? No keeps the other offsets and shows them here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The offsets another copy saved are shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print &amp;Test Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Test &amp;Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ave Offsets</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
