"""What the kernel counts for a process: CPU time and resident memory."""

import os

CLOCK_TICKS = os.sysconf("SC_CLK_TCK")


def cpu_seconds(pid):
    """User plus system time the process has used so far."""
    with open("/proc/%d/stat" % pid) as stat:
        text = stat.read()
    # The command name in parentheses may hold spaces; the fields after its
    # closing parenthesis start with the state (field 3); utime and stime are
    # fields 14 and 15.
    fields = text[text.rindex(")") + 2:].split()
    return (int(fields[11]) + int(fields[12])) / CLOCK_TICKS


def resident_mib(pid):
    with open("/proc/%d/status" % pid) as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024
    raise ValueError("no VmRSS for process %d" % pid)
