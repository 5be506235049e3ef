start: jr start
 .db 1
.END
