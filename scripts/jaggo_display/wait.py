# jaggo display: waiting for a thing itself, never for a time: a condition polled within a bound.
import time


def until(alive, check, timeout, interval=0.05):
    """check()'s first true answer, polled until timeout seconds have passed or until alive()
    says the program waited on has ended (None then, as on the timeout: the caller asks
    alive() to tell the two apart). The bound stops a hang; it is not a pause."""
    end = time.monotonic() + timeout
    while alive():
        answer = check()
        if answer:
            return answer
        if time.monotonic() > end:
            return None
        time.sleep(interval)
    return None
