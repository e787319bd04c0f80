// SPDX-License-Identifier: GPL-3.0-or-later
/* latenza: time from one key sent with XTest to the first change of a window's pixels (Xvfb or a real X server).
   Build: cc -O2 latenza.c -o latenza -lX11 -lXtst     Floor: ~1.2 ms (1 ms poll plus one XGetImage).
   Give the rectangle that the key must change (e.g. the display strip), and the text to type; | sends Return.
   Prints one latency in ms per key, or "timeout" when nothing changed within 1 s.
   usage: latenza WIN X Y W H TEXT GAP_MS   (WIN from xdotool search; TEXT in Latin-1 bytes or ASCII) */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <X11/XKBlib.h>
#include <X11/extensions/XTest.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>
static double now(void){struct timespec t;clock_gettime(CLOCK_MONOTONIC,&t);return t.tv_sec*1e3+t.tv_nsec/1e6;}
int main(int c,char**v){
  if(c<8){fprintf(stderr,"usage\n");return 2;}
  Display*d=XOpenDisplay(0); Window w=strtoul(v[1],0,0);
  int x=atoi(v[2]),y=atoi(v[3]),W=atoi(v[4]),H=atoi(v[5]); int gap=atoi(v[7]);
  const unsigned char*txt=(const unsigned char*)v[6]; int n=strlen(v[6]);
  KeyCode shift=XKeysymToKeycode(d,XK_Shift_L);
  for(int i=0;i<n;i++){
    usleep(gap*1000);
    KeySym ks = txt[i]=='|' ? XK_Return : (KeySym)txt[i];
    KeyCode kc=XKeysymToKeycode(d,ks);
    if(!kc){printf("nokey %c\n",txt[i]);continue;}
    int sh = XkbKeycodeToKeysym(d,kc,0,0)!=ks && XkbKeycodeToKeysym(d,kc,0,1)==ks;
    if(sh){XTestFakeKeyEvent(d,shift,True,0);XSync(d,False);}
    XImage*a=XGetImage(d,w,x,y,W,H,AllPlanes,ZPixmap); size_t sz=(size_t)a->bytes_per_line*H;
    double t0=now(); XTestFakeKeyEvent(d,kc,True,0); XTestFakeKeyEvent(d,kc,False,0); XFlush(d);
    double lat=-1;
    while(now()-t0<1000){ usleep(1000); XImage*b=XGetImage(d,w,x,y,W,H,AllPlanes,ZPixmap);
      int diff=memcmp(a->data,b->data,sz); XDestroyImage(b); if(diff){lat=now()-t0;break;} }
    if(sh){XTestFakeKeyEvent(d,shift,False,0);XFlush(d);}
    XDestroyImage(a);
    if(lat<0)printf("timeout\n"); else printf("%.1f\n",lat); fflush(stdout);
  }
  return 0;
}
