#pragma once
// Where a generic view says how its reads, writes and deletes went: one line
// in the view's message panel (the request's status control) through the
// request's status template, "Get: ..." for a read and "Set: ..." for a
// write, with the library's text: its success text or the failure's text.
//
//   ReportReads(*request);            // once: asynchronous reads report when done
//   ReadAndReport(*request);          // a read, synchronous or not
//   ReportWrite(*request, WriteRowsAsTheyStand(*request, rows, false));
//
// A request deleted while its read is under way reports nothing: its late
// answer is dropped by the library.

class VkSNMPRequest2Controls;
struct VkWriteResult;

// The request's asynchronous reads write their outcome when they end (its
// OnGetDone; the handler holds no view, so any view of the request may set it).
void ReportReads(VkSNMPRequest2Controls& request);

// Reads the request. A synchronous read, and an asynchronous one that could
// not be sent at all, write their outcome here; an exception of the request
// layer writes its message.
void ReadAndReport(VkSNMPRequest2Controls& request);

// Writes the outcome of a write.
void ReportWrite(VkSNMPRequest2Controls& request, const VkWriteResult& result);
